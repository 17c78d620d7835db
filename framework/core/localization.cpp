// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/localization.h"
#include "framework/core/localization_seam.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <map>
#include <optional>

namespace fw {

namespace {
using Table = std::map<std::string, std::string, std::less<>>;

struct State {
    std::string language; // empty: the user's locale
    std::string folder;
    std::map<std::string, Table> tables; // by language asked for
};

State& state()
{
    static State s;
    return s;
}

// The first table file that exists, or nothing: a table that exists but is
// unreadable or not a JSON object counts as an empty table.
std::optional<QString> tableFile(const std::string& name)
{
    const QString file = QString::fromStdString(name) + ".json";
    if (!state().folder.empty()) {
        const QString path = QString::fromStdString(state().folder) + "/" + file;
        if (QFile::exists(path))
            return path;
    }
    const QString resource = ":/l10n/" + file;
    if (QFile::exists(resource))
        return resource;
    return std::nullopt;
}

Table loadTable(const std::string& language)
{
    // "es_ES" first, then "es".
    std::optional<QString> path = tableFile(language);
    if (const auto cut = language.find_first_of("_-"); !path && cut != std::string::npos)
        path = tableFile(language.substr(0, cut));
    Table table;
    if (!path)
        return table;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    const QJsonObject object = document.object(); // empty unless the document is an object
    for (auto it = object.begin(); it != object.end(); ++it)
        if (it.value().isString())
            table.emplace(it.key().toStdString(), it.value().toString().toStdString());
    return table;
}

const Table& currentTable()
{
    State& s = state();
    const std::string language = s.language.empty() ? QLocale::system().name().toStdString() : s.language;
    auto it = s.tables.find(language);
    if (it == s.tables.end())
        it = s.tables.emplace(language, loadTable(language)).first;
    return it->second;
}
} // namespace

std::string GetLocalizedString(std::string_view key, std::string_view defaultText)
{
    const Table& table = currentTable();
    const auto it = table.find(key);
    return it == table.end() ? std::string(defaultText) : it->second;
}

void SetLocalizationLanguage(std::string_view language)
{
    state().language = language;
}

void SetLocalizationFolder(std::string_view folder)
{
    state().folder = folder;
    state().tables.clear();
}

} // namespace fw
