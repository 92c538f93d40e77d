#pragma once

#include "AppFolders.h"
#include "BankBuilder.h"
#include "PictureArchive.h"

#include <QTemporaryDir>

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
        static const unsigned char kGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x04,
                                             0x00, 0xf0, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0x00,
                                             0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00,
                                             0x2c, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x04, 0x00,
                                             0x00, 0x02, 0x04, 0x84, 0x8f, 0x09, 0x05, 0x00, 0x3b};
        std::string archive(kPictureArchiveSize, '\0');
        for (int key = kFirstPictureKey; key <= kLastPictureKey; ++key) {
            const auto place = FindPicture(key);
            archive.replace(place->offset - 1, sizeof kGif, reinterpret_cast<const char *>(kGif),
                            sizeof kGif);
        }
        testbank::write(path(kPictureArchiveName), archive);
    }

    QTemporaryDir dir;
};
