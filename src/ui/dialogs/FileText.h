// Texts from files are bytes: project files and An8 files made on older systems hold
// Windows-1252 text, newer ones UTF-8. They are shown as UTF-8 where that is valid and as
// Windows-1252 otherwise, and an edit that changed nothing gives back the very bytes read.
#pragma once

#include <QString>

#include <string>

namespace kestrelon::ui {

// The bytes as text: UTF-8 where valid, otherwise Windows-1252. Every byte string decodes,
// and the five bytes Windows-1252 leaves unassigned stand for the control characters of
// the same number, so no byte is lost.
QString toQString(const std::string& bytes);

// The bytes to store for text the user may have edited: the original bytes when the text
// is what they showed; otherwise UTF-8, or Windows-1252 when the original was Windows-1252
// and every character of the new text has a place there.
std::string toFileBytes(const QString& text, const std::string& originalBytes = {});

// The text's Windows-1252 bytes; false when a character has no place there.
bool encodeWindows1252(const QString& text, std::string& bytes);

} // namespace kestrelon::ui
