// Decoding and encoding of the 8-bit texts the programs read from files.
#include "ui/dialogs/FileText.h"

#include <QStringDecoder>

#include <array>

namespace kestrelon::ui {
namespace {

// The characters of the bytes 0x80 to 0x9F in Windows-1252; the unassigned ones keep the
// control character of their own number.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isValidUtf8(const std::string& bytes, QString* decoded = nullptr)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError())
        return false;
    if (decoded)
        *decoded = std::move(text);
    return true;
}

QString decodeWindows1252(const std::string& bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte >= 0x80 && byte <= 0x9F ? QChar(HighControls[byte - 0x80]) : QChar(byte);
    }
    return text;
}

bool encodeCharacter(char16_t c, std::string& bytes)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        bytes += static_cast<char>(c);
        return true;
    }
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == c) {
            bytes += static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

} // namespace

QString toQString(const std::string& bytes)
{
    QString decoded;
    if (isValidUtf8(bytes, &decoded))
        return decoded;
    return decodeWindows1252(bytes);
}

bool encodeWindows1252(const QString& text, std::string& bytes)
{
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (!encodeCharacter(c.unicode(), bytes))
            return false;
    }
    return true;
}

std::string toFileBytes(const QString& text, const std::string& originalBytes)
{
    if (toQString(originalBytes) == text)
        return originalBytes;
    std::string bytes;
    if (!isValidUtf8(originalBytes) && encodeWindows1252(text, bytes))
        return bytes;
    return text.toStdString();
}

} // namespace kestrelon::ui
