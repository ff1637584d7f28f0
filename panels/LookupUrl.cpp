#include "LookupUrl.h"

#include "Cp1252.h"

#include <QString>

QUrl LookupUrl(std::string_view word) {
    QUrl url(QStringLiteral("https://de.wikipedia.org"));
    url.setPath(QStringLiteral("/wiki/") + QString::fromStdString(Cp1252ToUtf8(word)));
    return url;
}
