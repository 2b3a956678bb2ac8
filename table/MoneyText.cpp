#include "table/MoneyText.h"

#include <QLocale>

namespace dealmoor {

QString Money(double amount) {
    return QLocale().toCurrencyString(amount);
}

QString FixedAmount(double value, int width) {
    QString text = QStringLiteral("%1").arg(value, width, 'f', 2);
    // The display has glyphs for "." and "," only; other separators keep the point.
    const QString point = QLocale().decimalPoint();
    if (point == u",")
        text.replace(u'.', u',');
    return text;
}

} // namespace dealmoor
