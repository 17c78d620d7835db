// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/digest.h"

#include <QByteArray>
#include <QCryptographicHash>

namespace fw {

namespace {
QByteArray view(std::string_view bytes)
{
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

std::string toStd(const QByteArray& bytes)
{
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

bool isBase64Char(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
}
} // namespace

std::string MD5(std::string_view bytes)
{
    return toStd(QCryptographicHash::hash(view(bytes), QCryptographicHash::Md5));
}

std::optional<std::string> DecodeBase64(std::string_view text)
{
    // Qt's decoder tolerates a missing padding; the checks here keep the
    // length whole quads and the "=" only as the last one or two characters.
    if (text.size() % 4 != 0)
        return std::nullopt;
    std::size_t padding = 0;
    while (padding < 2 && padding < text.size() && text[text.size() - 1 - padding] == '=')
        ++padding;
    for (std::size_t i = 0; i < text.size() - padding; ++i)
        if (!isBase64Char(text[i]))
            return std::nullopt;
    const auto result = QByteArray::fromBase64Encoding(view(text), QByteArray::AbortOnBase64DecodingErrors);
    if (!result)
        return std::nullopt;
    return toStd(*result);
}

} // namespace fw
