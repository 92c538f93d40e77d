#pragma once

#include "Cp1251.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QFile>
#include <QString>

// Files a test prepares or checks, byte for byte as the program stores them.

// The whole file, or "<missing>" where it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll();
}

// Makes content the whole file; whether all of it was written.
[[nodiscard]] inline bool writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
}

// Lines as a list file holds them, each ended by CR LF.
inline QByteArray fileOf(const QByteArrayList &lines)
{
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}

// Text in the Windows-1251 bytes the files hold.
inline QByteArray windows1251(const QString &text)
{
    return QByteArray::fromStdString(cp1251::fromUtf8(text.toStdString()).value());
}
