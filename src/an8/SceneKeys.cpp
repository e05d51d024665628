// Reading keys back out of scene texts: each key word is followed by its braces and numbers,
// blanks between them as the key texts place them or as a script wrote them by hand.
#include "an8/SceneKeys.h"

#include <charconv>

namespace kestrelon::an8 {
namespace {

// A reading position in a text that passes over blanks before each piece it takes.
class Cursor {
public:
    Cursor(std::string_view text, std::size_t at) : m_text(text), m_at(at) {}

    bool take(char expected)
    {
        skipBlanks();
        if (m_at >= m_text.size() || m_text[m_at] != expected)
            return false;
        ++m_at;
        return true;
    }

    template <typename Number>
    bool number(Number& value)
    {
        skipBlanks();
        const char* const end = m_text.data() + m_text.size();
        const auto [stop, error] = std::from_chars(m_text.data() + m_at, end, value);
        if (error != std::errc())
            return false;
        m_at = static_cast<std::size_t>(stop - m_text.data());
        return true;
    }

    bool quoted(std::string& value)
    {
        if (!take('"'))
            return false;
        const std::size_t close = m_text.find('"', m_at);
        if (close == std::string_view::npos)
            return false;
        value.assign(m_text.substr(m_at, close - m_at));
        m_at = close + 1;
        return true;
    }

private:
    void skipBlanks()
    {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\r' ||
                                        m_text[m_at] == '\n'))
            ++m_at;
    }

    std::string_view m_text;
    std::size_t m_at;
};

// Calls read with a cursor just after each occurrence of word in text.
template <typename Read>
void forEachWord(std::string_view text, std::string_view word, Read read)
{
    for (std::size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + word.size()))
        read(Cursor(text, at + word.size()));
}

} // namespace

std::vector<PointKey> readPointKeys(std::string_view text)
{
    std::vector<PointKey> keys;
    forEachWord(text, "pointkey", [&](Cursor cursor) {
        PointKey key;
        if (cursor.take('{') && cursor.number(key.frame) && cursor.take('(') && cursor.number(key.x) &&
            cursor.number(key.y) && cursor.number(key.z) && cursor.take(')'))
            keys.push_back(key);
    });
    return keys;
}

std::vector<SequenceKey> readSequenceKeys(std::string_view text)
{
    std::vector<SequenceKey> keys;
    forEachWord(text, "namedsequence", [&](Cursor cursor) {
        SequenceKey key;
        if (cursor.take('{') && cursor.quoted(key.name) && cursor.number(key.frame) && cursor.take('}'))
            keys.push_back(std::move(key));
    });
    return keys;
}

} // namespace kestrelon::an8
