#include "table/MoneyText.h"

#include <QLocale>

#include <cmath>

namespace dealmoor {

QString Money(double amount) {
    return QLocale().toCurrencyString(amount);
}

QString SignedMoney(double amount) {
    if (amount == 0)
        return Money(0);
    return (amount > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) + Money(std::abs(amount));
}

QString FixedAmount(double value, int width) {
    QString text = QStringLiteral("%1").arg(value, width, 'f', 2);
    // The display has glyphs for "." and "," only; other separators keep the point.
    const QString point = QLocale().decimalPoint();
    if (point == u",")
        text.replace(u'.', u',');
    return text;
}

QString Percent(double fraction) {
    constexpr int Decimals = 2;
    constexpr double Hundredths = 100;
    const double percent = std::round(100 * fraction * Hundredths) / Hundredths;
    // A tiny negative figure reads "0.00%", not "-0.00%"; a loss has the minus sign
    // the signed amounts have.
    const QString digits = QLocale().toString(std::abs(percent), 'f', Decimals) + QLatin1Char('%');
    return percent < 0 ? QStringLiteral("\u2212") + digits : digits;
}

QString PercentWithInterval(double fraction, double halfWidth) {
    return Percent(fraction) + QStringLiteral(" \u00B1 ") + Percent(halfWidth);
}

} // namespace dealmoor
