#pragma once

#include "AppFolders.h"
#include "BankBuilder.h"
#include "PictureArchive.h"

#include <QTemporaryDir>

// A 4 x 4 GIF of one colour; all of them are of one length.
inline std::string testGif(unsigned char r, unsigned char g, unsigned char b)
{
    std::string bytes = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 4, 0, '\xf0', 0, 0};
    bytes += {char(r), char(g), char(b), 0, 0, 0};
    bytes += {'\x21', '\xf9', 4, 0, 0, 0, 0, 0, '\x2c', 0, 0, 0, 0, 4, 0, 4, 0, 0, 2, 4,
              '\x84', '\x8f', 9, 5, 0, '\x3b'};
    return bytes;
}

// A fresh temporary folder that serves the program as its data and its write folder, holding a
// question bank.
struct TestFolder
{
    explicit TestFolder(const std::string &bankBytes = testbank::bytes(testbank::kSmallest))
    {
        testbank::write(path("Pitanja.dat"), bankBytes);
    }

    std::string path(const char *name) const { return dir.filePath(name).toStdString(); }
    AppFolders folders() const { return {dir.path().toStdString(), dir.path().toStdString()}; }

    // A picture archive of full size holding a small red GIF at the start of every picture.
    void writeArchive() const
    {
        std::string archive(kPictureArchiveSize, '\0');
        for (int key = kFirstPictureKey; key <= kLastPictureKey; ++key)
            archive.replace(FindPicture(key)->offset - 1, 45, testGif(255, 0, 0));
        testbank::write(path(kPictureArchiveName), archive);
    }

    QTemporaryDir dir;
};
