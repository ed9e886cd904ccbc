#include "settings/product.h"

QString VersionText(int version) {
    QString text = QString::number(version);
    text.insert(1, u'.');
    if (text.size() > 3) text.insert(3, u'.');
    if (text.endsWith(u'0')) text.truncate(3);
    return text;
}

QString TitleWithVersion(const QString& title, int version) {
    return title + u' ' + VersionText(version);
}
