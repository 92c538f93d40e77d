#include "SourceText.h"

#include "Cp1251.h"

#include <QList>
#include <QString>

namespace sourcetext {
namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string hexByte(unsigned char byte)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {'\\', 'x', kDigits[byte >> 4], kDigits[byte & 15]};
}

// The length of the UTF-8 sequence that starts with lead; 1 for a stray byte.
std::size_t sequenceLength(unsigned char lead)
{
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

std::string codePoint(std::string_view utf8)
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size()));
    const QList<uint> ucs4 = text.toUcs4();
    if (ucs4.isEmpty() || text.contains(QChar::ReplacementCharacter))
        return {};
    const QString hex = QStringLiteral("%1").arg(ucs4.first(), 4, 16, QLatin1Char('0'));
    return "U+" + hex.toUpper().toStdString();
}

} // namespace

std::optional<std::string> Read(std::string_view utf8, std::string &error)
{
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead == '\\') {
            if (i + 1 < utf8.size() && utf8[i + 1] == '\\') {
                bytes += '\\';
                i += 2;
                continue;
            }
            const bool hex = i + 3 < utf8.size() && utf8[i + 1] == 'x';
            const int high = hex ? hexDigit(utf8[i + 2]) : -1;
            const int low = hex ? hexDigit(utf8[i + 3]) : -1;
            if (high < 0 || low < 0) {
                error = "после обрнуте косе црте долази x и две хексадекадне цифре (\\xHH, бајт "
                        "HH) или још једна обрнута коса црта (\\\\ је сама црта).";
                return std::nullopt;
            }
            bytes += static_cast<char>(high * 16 + low);
            i += 4;
            continue;
        }
        if (lead < 0x20 || lead == 0x7F) {
            error = "контролни знак (бајт " + std::to_string(lead) +
                    ", нпр. табулатор) не види се у уређивачу; ако је баш потребан, пише се као " +
                    hexByte(lead) + ".";
            return std::nullopt;
        }
        const std::string_view one = utf8.substr(i, sequenceLength(lead));
        const std::optional<std::string> byte = cp1251::fromUtf8(one);
        if (!byte) {
            const std::string code = codePoint(one);
            error = code.empty() ? std::string("текст није исправан UTF-8.")
                                 : "знак „" + std::string(one) + "“ (" + code +
                                       ") не постоји у Windows-1251.";
            return std::nullopt;
        }
        bytes += *byte;
        i += one.size();
    }
    return bytes;
}

std::string Write(std::string_view bytes)
{
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool atAnEnd = i == 0 || i + 1 == bytes.size();
        if (byte == '\\')
            text += "\\\\";
        else if (byte < 0x20 || byte == 0x7F || byte == 0x98 || byte == 0xA0 || byte == 0xAD ||
                 (byte == ' ' && atAnEnd))
            text += hexByte(byte);
        else
            text += cp1251::toUtf8(bytes.substr(i, 1));
    }
    return text;
}

std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace sourcetext
