#pragma once

#include <QLatin1String>
#include <QString>
#include <initializer_list>
#include <optional>
#include <utility>

namespace varnelle {

// The value a command-line word stands for, among the named choices, the
// case of its letters aside; none for a word that names none of them.
template <class T>
std::optional<T> OptionChoice(const QString &value, std::initializer_list<std::pair<const char *, T>> choices)
{
    for (const auto &[name, result] : choices)
        if (value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return result;
    return std::nullopt;
}

} // namespace varnelle
