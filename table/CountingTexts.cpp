#include "table/CountingTexts.h"

#include <QCoreApplication>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpressionValidator>

#include <array>

namespace dealmoor {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("Counting", text);
}

// Room for a sign, four digits, a decimal point and a tenth.
constexpr int AnswerCharacters = 7;

} // namespace

QString SystemName(CountingSystem system) {
    return system == CountingSystem::HiOpt2 ? tr("Hi-Opt II") : tr("Hi-Opt I");
}

QString DrillName(CountingDrill drill) {
    switch (drill) {
    case CountingDrill::CheckRunning:
        return tr("Table check: running count");
    case CountingDrill::CheckTrue:
        return tr("Table check: true count");
    case CountingDrill::CheckDecks:
        return tr("Table check: decks left");
    case CountingDrill::DrillRunning:
        return tr("Drill: running count");
    case CountingDrill::DrillTrue:
        return tr("Drill: true count");
    case CountingDrill::DrillDecks:
        break;
    }
    return tr("Drill: decks left");
}

QString QuestionLabel(CountQuestion question) {
    switch (question) {
    case CountQuestion::RunningCount:
        return tr("&Running count:");
    case CountQuestion::TrueCount:
        return tr("&True count:");
    case CountQuestion::DecksLeft:
        break;
    }
    return tr("&Decks left:");
}

QString ValueText(Tenths value, CountQuestion question) {
    QString text = QString::fromStdString(AnswerText(value, question));
    // The player's own decimal point; a minus that reads as one.
    text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    text.replace(QLatin1Char('-'), QChar(0x2212));
    return text;
}

std::optional<Tenths> ReadTypedAnswer(const QString& text, CountQuestion question) {
    return ReadAnswer(text.toStdString(), question);
}

QString PaceText(Tenths pace) {
    return QLocale().toString(pace / static_cast<double>(TenthsPerUnit), 'f', 1);
}

QString SecondsText(double seconds) {
    return tr("%1 s").arg(QLocale().toString(seconds, 'f', 1));
}

QString ShoeText(int shoeCards) {
    static const std::array<const char*, 9> Shoes = {
        "",
        QT_TRANSLATE_NOOP("Counting", "a single deck"),
        QT_TRANSLATE_NOOP("Counting", "a double deck"),
        QT_TRANSLATE_NOOP("Counting", "a three-deck shoe"),
        QT_TRANSLATE_NOOP("Counting", "a four-deck shoe"),
        QT_TRANSLATE_NOOP("Counting", "a five-deck shoe"),
        QT_TRANSLATE_NOOP("Counting", "a six-deck shoe"),
        QT_TRANSLATE_NOOP("Counting", "a seven-deck shoe"),
        QT_TRANSLATE_NOOP("Counting", "an eight-deck shoe")};
    const int decks = shoeCards / CardsPerDeck;
    if (shoeCards % CardsPerDeck == 0 && decks >= 1 && decks <= 8)
        return tr(Shoes[static_cast<std::size_t>(decks)]);
    return tr("a shoe of %1 cards").arg(shoeCards);
}

CalendarDay Today() {
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

QString VerdictColour(Verdict verdict) {
    switch (verdict) {
    case Verdict::Right:
        return QStringLiteral("#1b7a1b");
    case Verdict::Wrong:
        return QStringLiteral("#c01818");
    case Verdict::Skipped:
        break;
    }
    return QStringLiteral("#6b6b6b");
}

void PrepareAnswerField(QLineEdit* field, CountQuestion question) {
    const QString pattern = question == CountQuestion::RunningCount
                                ? QStringLiteral("[+\\-\u2212]?\\d{0,4}")
                                : QStringLiteral("[+\\-\u2212]?\\d{0,4}([.,]\\d?)?");
    delete field->validator();
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
    field->setMaxLength(AnswerCharacters);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                         (AnswerCharacters + 3));
}

} // namespace dealmoor
