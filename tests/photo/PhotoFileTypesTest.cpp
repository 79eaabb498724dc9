#include "photo/PhotoFileTypes.h"

#include <gtest/gtest.h>

namespace {

TEST(PhotoFileTypes, TheLastExtensionOfTheFileNameDecidesInAnyLetterCase) {
    for (const char* path : {"a.jpg", "b.JPEG", "c.TiF", "d.tiff", "e.Psd",
                             "/photos/archive.tar.jpg", "folder.png/photo.jpg", "x..jpeg"})
        EXPECT_TRUE(hasPhotoExtension(QString::fromLatin1(path))) << path;
    for (const char* path : {"a.jpe", "b.png", "c.jpg.png", "jpg", ".jpg", "/photos/.JPG",
                             "folder.jpg/photo", "d.jpg ", ""})
        EXPECT_FALSE(hasPhotoExtension(QString::fromLatin1(path))) << path;
}

} // namespace
