#pragma once

#include <QString>

// A text a label had no room for and shows shortened with an ellipsis.
struct ShortenedText {
    // The field of the placed text, as the layout description names it ("titleString",
    // "authorString", "exifInst", "exifLens2", "exifData", "dateTime", "fileNameStr").
    QString field;
    // The text as it was given.
    QString fullText;
    // The text as the label shows it.
    QString shownText;

    friend bool operator==(const ShortenedText&, const ShortenedText&) = default;
};

// What the field holds, as the user knows it ("title", "lens"), in the user's language.
QString fieldName(const QString& field);

// One sentence telling the user that a text of the photograph named photograph is
// shortened on its label, naming the field and both texts.
QString shortenedTextNotice(const QString& photograph, const ShortenedText& text);
