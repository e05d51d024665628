// Reading dates and times from text as an en-US script host does: month/day/year with "/" or
// "-", year-month-day, month names, and clock times with or without AM/PM, in either order.
// Anything it cannot read is not a date, so IsDate answers False instead of guessing.
#include "vbscript/values/Calendar.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace kestrelon::vbs::calendar {
namespace {

struct Token {
    enum class Kind { Number, Word, Colon };
    explicit Token(Kind k) : kind(k) {}
    Kind kind;
    int value = 0;
    int digits = 0;
    std::string word; // lower case
};

bool isDelimiter(char c)
{
    return c == ' ' || c == '\t' || c == '/' || c == '-' || c == ',';
}

std::optional<std::vector<Token>> tokenize(std::string_view text)
{
    std::vector<Token> tokens;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (isDelimiter(text[i])) {
            ++i;
        } else if (text[i] == ':') {
            tokens.emplace_back(Token::Kind::Colon);
            ++i;
        } else if (std::isdigit(c)) {
            Token token(Token::Kind::Number);
            for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
                if (++token.digits > 5)
                    return std::nullopt;
                token.value = token.value * 10 + (text[i] - '0');
            }
            tokens.push_back(token);
        } else if (std::isalpha(c)) {
            Token token(Token::Kind::Word);
            for (; i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])); ++i)
                token.word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
            tokens.push_back(token);
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

int monthOfName(const std::string& word)
{
    static constexpr std::array<const char*, 12> Names = {"january", "february", "march",     "april",
                                                         "may",     "june",     "july",      "august",
                                                         "september", "october", "november", "december"};
    if (word.size() < 3)
        return 0;
    for (size_t m = 0; m < Names.size(); ++m) {
        if (std::string_view(Names[m]).substr(0, word.size()) == word)
            return static_cast<int>(m) + 1;
    }
    return 0;
}

bool isMeridiem(const Token& token)
{
    return token.kind == Token::Kind::Word &&
           (token.word == "am" || token.word == "pm" || token.word == "a" || token.word == "p");
}

// Finds and removes the clock time (h:mm[:ss] [AM|PM] or h AM|PM); seconds of the day.
std::optional<int> takeTime(std::vector<Token>& tokens, bool& found)
{
    found = false;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Token::Kind::Number)
            continue;
        size_t end = i + 1;
        int parts[3] = {tokens[i].value, 0, 0};
        int count = 1;
        while (count < 3 && end + 1 < tokens.size() && tokens[end].kind == Token::Kind::Colon &&
               tokens[end + 1].kind == Token::Kind::Number) {
            parts[count++] = tokens[end + 1].value;
            end += 2;
        }
        const bool meridiem = end < tokens.size() && isMeridiem(tokens[end]);
        if (count == 1 && !meridiem)
            continue;
        int hour = parts[0];
        if (meridiem) {
            if (hour < 1 || hour > 12)
                return std::nullopt;
            hour = hour % 12 + (tokens[end].word[0] == 'p' ? 12 : 0);
            ++end;
        }
        if (hour > 23 || parts[1] > 59 || parts[2] > 59)
            return std::nullopt;
        const auto first = tokens.begin() + static_cast<std::ptrdiff_t>(i);
        tokens.erase(first, tokens.begin() + static_cast<std::ptrdiff_t>(end));
        found = true;
        return hour * 3600 + parts[1] * 60 + parts[2];
    }
    return 0;
}

int fullYear(const Token& token)
{
    if (token.digits > 2)
        return token.value;
    // Two-digit years fall in 1930-2029, as the Windows default window places them.
    return token.value < 30 ? 2000 + token.value : 1900 + token.value;
}

int currentYear()
{
    return splitSerial(nowSerial()).year;
}

bool validDate(int year, int month, int day)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    return daysFromCivil(year, month, day) < daysFromCivil(year, month + 1, 1);
}

// Year, month and day from the numbers and the month named in the text (0 when none).
std::optional<std::int64_t> dateDay(const std::vector<Token>& numbers, int namedMonth)
{
    int year = 0, month = namedMonth, day = 0;
    const auto big = [](const Token& t) { return t.digits > 2 || t.value > 31; };
    if (namedMonth != 0 && numbers.size() == 1) {
        year = currentYear();
        day = numbers[0].value;
    } else if (namedMonth != 0 && numbers.size() == 2) {
        const bool yearFirst = big(numbers[0]);
        year = fullYear(numbers[yearFirst ? 0 : 1]);
        day = numbers[yearFirst ? 1 : 0].value;
    } else if (namedMonth == 0 && numbers.size() == 2) {
        month = numbers[0].value;
        if (big(numbers[1])) {
            year = fullYear(numbers[1]);
            day = 1;
        } else {
            year = currentYear();
            day = numbers[1].value;
        }
    } else if (namedMonth == 0 && numbers.size() == 3) {
        const bool yearFirst = big(numbers[0]);
        year = fullYear(numbers[yearFirst ? 0 : 2]);
        month = numbers[yearFirst ? 1 : 0].value;
        day = numbers[yearFirst ? 2 : 1].value;
    } else {
        return std::nullopt;
    }
    if (month > 12 && day <= 12)
        std::swap(month, day); // a day that cannot be a month: the order was day/month
    if (!validDate(year, month, day))
        return std::nullopt;
    return daysFromCivil(year, month, day);
}

} // namespace

std::optional<double> parseDate(std::string_view text)
{
    auto tokens = tokenize(text);
    if (!tokens || tokens->empty())
        return std::nullopt;
    bool hasTime = false;
    const auto seconds = takeTime(*tokens, hasTime);
    if (!seconds)
        return std::nullopt;
    std::vector<Token> numbers;
    int namedMonth = 0;
    for (const Token& token : *tokens) {
        if (token.kind == Token::Kind::Number)
            numbers.push_back(token);
        else if (token.kind == Token::Kind::Word && namedMonth == 0 && monthOfName(token.word) != 0)
            namedMonth = monthOfName(token.word);
        else
            return std::nullopt;
    }
    if (numbers.empty() && namedMonth == 0)
        return hasTime ? std::optional<double>(serialOf(0, *seconds)) : std::nullopt;
    const auto day = dateDay(numbers, namedMonth);
    if (!day)
        return std::nullopt;
    return serialOf(*day, *seconds);
}

} // namespace kestrelon::vbs::calendar
