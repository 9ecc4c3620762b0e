#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QTranslator>

namespace {

struct TsMessage
{
    QString context;
    QString source;
    QString translation;
    // Plural messages: one text per plural form of the language.
    QStringList forms;
    bool finished = false;
};

struct TsFile
{
    QString language;
    QList<TsMessage> messages;
};

QString sourcePath(const QString &language)
{
    return QStringLiteral(TAVO_SOURCE_DIR "/translations/vantor_%1.ts").arg(language);
}

QString cataloguePath(const QString &language)
{
    return QStringLiteral(TAVO_RUNTIME_DIR "/translations/vantor_%1.qm").arg(language);
}

bool loadTs(const QString &path, TsFile *out, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    QDomDocument document;
    QString message;
    int line = 0;
    if (!document.setContent(&file, &message, &line)) {
        *error = QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(message);
        return false;
    }
    const QDomElement root = document.documentElement();
    out->language = root.attribute(QStringLiteral("language"));
    for (QDomElement context = root.firstChildElement(QStringLiteral("context")); !context.isNull();
         context = context.nextSiblingElement(QStringLiteral("context"))) {
        const QString name = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement element = context.firstChildElement(QStringLiteral("message")); !element.isNull();
             element = element.nextSiblingElement(QStringLiteral("message"))) {
            const QDomElement translation = element.firstChildElement(QStringLiteral("translation"));
            const QString type = translation.attribute(QStringLiteral("type"));
            TsMessage entry;
            entry.context = name;
            entry.source = element.firstChildElement(QStringLiteral("source")).text();
            entry.translation = translation.text();
            for (QDomElement form = translation.firstChildElement(QStringLiteral("numerusform")); !form.isNull();
                 form = form.nextSiblingElement(QStringLiteral("numerusform")))
                entry.forms.append(form.text());
            entry.finished = !translation.isNull() && type != QLatin1String("unfinished") &&
                             type != QLatin1String("obsolete") && type != QLatin1String("vanished");
            out->messages.append(entry);
        }
    }
    return true;
}

QSet<QString> argumentMarkers(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%[1-9]"));
    QSet<QString> found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

// Whole tags, attributes included: a translation may change only the words
// between them.
QStringList tags(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("</?[A-Za-z][^>]*>"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    return found;
}

bool endsWithColon(const QString &text)
{
    const QString trimmed = text.trimmed();
    return trimmed.endsWith(QLatin1Char(':')) || trimmed.endsWith(QChar(0xFF1A));
}

QStringList sourceTexts(const TsFile &file)
{
    QStringList texts;
    for (const TsMessage &message : file.messages)
        texts.append(message.source);
    texts.sort();
    return texts;
}

// The contexts tr() uses at run time: the qualified names of Q_OBJECT
// classes, the names given to Q_DECLARE_TR_FUNCTIONS and the literal contexts
// of translate() calls. A catalogue context outside this set is never asked.
void scanContexts(const QString &code, QSet<QString> *contexts)
{
    static const QRegularExpression token(
        QStringLiteral(
            R"(//[^\n]*|/\*.*?\*/|#[^\n]*|"(?:\\.|[^"\\\n])*"|'(?:\\.|[^'\\\n])*'|[A-Za-z_]\w*|::|[{};:(),<>])"),
        QRegularExpression::DotMatchesEverythingOption);
    // Names of the open brace scopes; empty for blocks and anonymous ones.
    QStringList scopes;
    QStringList tokens;
    for (auto it = token.globalMatch(code); it.hasNext();) {
        const QString text = it.next().captured();
        if (!text.startsWith(QLatin1String("//")) && !text.startsWith(QLatin1String("/*")) &&
            !text.startsWith(QLatin1Char('#')))
            tokens.append(text);
    }

    const auto qualified = [&scopes](const QString &name) {
        QStringList parts = scopes;
        parts.removeAll(QString());
        parts.append(name);
        return parts.join(QStringLiteral("::"));
    };

    QString pending;
    bool collectingName = false;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString &t = tokens.at(i);
        const QString previous = i > 0 ? tokens.at(i - 1) : QString();
        const QString next = i + 1 < tokens.size() ? tokens.at(i + 1) : QString();
        if ((t == QLatin1String("class") || t == QLatin1String("struct")) && previous != QLatin1String("enum")) {
            pending.clear();
            collectingName = true;
        } else if (t == QLatin1String("namespace") && next != QLatin1String("{")) {
            pending = next;
            collectingName = false;
        } else if (t == QLatin1String("{")) {
            scopes.append(pending);
            pending.clear();
            collectingName = false;
        } else if (t == QLatin1String("}")) {
            if (!scopes.isEmpty())
                scopes.removeLast();
        } else if (t == QLatin1String(";") || t == QLatin1String(">") || t == QLatin1String(",") ||
                   t == QLatin1String("(") || t == QLatin1String(")")) {
            if (collectingName || t == QLatin1String(";"))
                pending.clear();
            collectingName = false;
        } else if (t == QLatin1String(":")) {
            collectingName = false;
        } else if (collectingName && t.at(0).isLetter() && t != QLatin1String("final")) {
            pending = t;
        } else if (t == QLatin1String("Q_OBJECT") && !scopes.isEmpty()) {
            const QString name = scopes.takeLast();
            contexts->insert(qualified(name));
            scopes.append(name);
        } else if (t == QLatin1String("Q_DECLARE_TR_FUNCTIONS") && i + 2 < tokens.size()) {
            contexts->insert(tokens.at(i + 2));
        } else if ((t == QLatin1String("translate") || t == QLatin1String("QT_TRANSLATE_NOOP")) &&
                   next == QLatin1String("(") && i + 2 < tokens.size() &&
                   tokens.at(i + 2).startsWith(QLatin1Char('"'))) {
            contexts->insert(tokens.at(i + 2).mid(1, tokens.at(i + 2).size() - 2));
        }
    }
}

QSet<QString> programContexts(const QString &sourceDir)
{
    QSet<QString> contexts;
    QDirIterator files(sourceDir, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly))
            scanContexts(QString::fromUtf8(file.readAll()), &contexts);
    }
    return contexts;
}

QString describe(const TsMessage &message)
{
    return message.context + QStringLiteral(" / \"") + message.source + QStringLiteral("\" -> \"") +
           message.translation + QLatin1Char('"');
}

// Runs one rule over every finished message and reports all offenders at once.
template <typename Rule>
QStringList offenders(const TsFile &file, Rule rule)
{
    QStringList found;
    for (const TsMessage &message : file.messages) {
        if (message.finished && !rule(message))
            found.append(describe(message));
    }
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private:
    QHash<QString, TsFile> m_files;
    TsFile file(const QString &language) const { return m_files.value(language); }

    // English has a catalogue too: it corrects source texts that are not fit to show.
    static void translatedLanguages()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("Chinese") << QStringLiteral("zh");
        QTest::newRow("Russian") << QStringLiteral("ru");
    }

private slots:
    void initTestCase()
    {
        for (const QString &language : {QStringLiteral("en"), QStringLiteral("zh"), QStringLiteral("ru")}) {
            QString error;
            QVERIFY2(loadTs(sourcePath(language), &m_files[language], &error), qPrintable(error));
        }
    }

    void languageAndTextsMatchEnglish_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("tsLanguage");
        QTest::newRow("Chinese") << QStringLiteral("zh") << QStringLiteral("zh_CN");
        QTest::newRow("Russian") << QStringLiteral("ru") << QStringLiteral("ru_RU");
    }

    void languageAndTextsMatchEnglish()
    {
        QFETCH(QString, language);
        QFETCH(QString, tsLanguage);
        const TsFile translated = file(language);
        QCOMPARE(translated.language, tsLanguage);
        QVERIFY(!translated.messages.isEmpty());
        QCOMPARE(sourceTexts(translated), sourceTexts(file(QStringLiteral("en"))));
    }

    void chineseAndRussianHoldSameMessages()
    {
        const TsFile chinese = file(QStringLiteral("zh"));
        const TsFile russian = file(QStringLiteral("ru"));
        QCOMPARE(russian.messages.size(), chinese.messages.size());
        for (qsizetype i = 0; i < chinese.messages.size(); ++i) {
            QCOMPARE(russian.messages.at(i).context, chinese.messages.at(i).context);
            QCOMPARE(russian.messages.at(i).source, chinese.messages.at(i).source);
        }
    }

    void contextsAreProgramClasses_data() { translatedLanguages(); }

    void contextsAreProgramClasses()
    {
        QFETCH(QString, language);
        const QSet<QString> known = programContexts(QStringLiteral(TAVO_SOURCE_DIR "/src"));
        QVERIFY(known.contains(QStringLiteral("VantorMainPage")));
        QSet<QString> unknown;
        for (const TsMessage &message : file(language).messages) {
            if (!known.contains(message.context))
                unknown.insert(message.context);
        }
        QStringList names(unknown.cbegin(), unknown.cend());
        names.sort();
        QVERIFY2(names.isEmpty(), qPrintable(QStringLiteral("not a translation context of the program: ") +
                                             names.join(QStringLiteral(", "))));
    }

    void everyMessageFinished_data() { translatedLanguages(); }

    void everyMessageFinished()
    {
        QFETCH(QString, language);
        QStringList found;
        for (const TsMessage &message : file(language).messages) {
            if (!message.finished || message.translation.trimmed().isEmpty())
                found.append(describe(message));
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void deviceTypeNamesStayAsTheyAre_data() { translatedLanguages(); }

    // Groups carry the device type as shown, and the list tells cameras from
    // recorders by these two exact names.
    void deviceTypeNamesStayAsTheyAre()
    {
        QFETCH(QString, language);
        int seen = 0;
        for (const TsMessage &message : file(language).messages) {
            if (message.source != QLatin1String("IPC") && message.source != QLatin1String("DVR"))
                continue;
            ++seen;
            QCOMPARE(message.translation, message.source);
        }
        QVERIFY(seen >= 2);
    }

    void argumentMarkersKept_data() { translatedLanguages(); }

    void argumentMarkersKept()
    {
        QFETCH(QString, language);
        const QStringList found = offenders(file(language), [](const TsMessage &message) {
            return argumentMarkers(message.translation) == argumentMarkers(message.source);
        });
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void richTextTagsKept_data() { translatedLanguages(); }

    void richTextTagsKept()
    {
        QFETCH(QString, language);
        const QStringList found = offenders(
            file(language), [](const TsMessage &message) { return tags(message.translation) == tags(message.source); });
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void surroundingBlanksKept_data() { translatedLanguages(); }

    void surroundingBlanksKept()
    {
        QFETCH(QString, language);
        // Texts with a blank at either end are joined to a number by the code;
        // the template's rows are joined into lines.
        const QStringList found = offenders(file(language), [](const TsMessage &message) {
            const QString &source = message.source;
            const QString &translation = message.translation;
            return source.startsWith(QLatin1Char(' ')) == translation.startsWith(QLatin1Char(' ')) &&
                   source.endsWith(QLatin1Char(' ')) == translation.endsWith(QLatin1Char(' ')) &&
                   source.count(QLatin1Char('\n')) == translation.count(QLatin1Char('\n'));
        });
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void captionColonsKept_data() { translatedLanguages(); }

    void captionColonsKept()
    {
        QFETCH(QString, language);
        const QStringList found = offenders(file(language), [](const TsMessage &message) {
            return endsWithColon(message.source) == endsWithColon(message.translation);
        });
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void catalogueTranslatesKnownText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("expected");
        const QByteArray exit("Exit the TAVO storage calculator software?");
        QTest::newRow("English") << QStringLiteral("en") << QByteArray("VantorMainPage") << exit
                                 << QStringLiteral("Exit the TAVO storage calculator?");
        QTest::newRow("Chinese") << QStringLiteral("zh") << QByteArray("VantorMainPage") << exit
                                 << QStringLiteral("确定退出 TAVO 存储计算器吗？");
        QTest::newRow("Russian") << QStringLiteral("ru") << QByteArray("VantorMainPage") << exit
                                 << QStringLiteral("Выйти из программы «Калькулятор хранилища TAVO»?");
        // The model asks for the bandwidth unit under the page's context.
        QTest::newRow("English unit") << QStringLiteral("en") << QByteArray("DeviceAddPage") << QByteArray("Kpbs")
                                      << QStringLiteral("Kbps");
        QTest::newRow("English card") << QStringLiteral("en") << QByteArray("NM_Vantor::DeviceItemWidget")
                                      << QByteArray("Fixted Rate : %1 kbps") << QStringLiteral("Fixed rate: %1 kbps");
        QTest::newRow("English mode") << QStringLiteral("en") << QByteArray("DataCalculatorPage")
                                      << QByteArray("CalTime") << QStringLiteral("Retention");
    }

    void catalogueTranslatesKnownText()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, source);
        QFETCH(QString, expected);
        QTranslator translator;
        QVERIFY2(translator.load(cataloguePath(language)), qPrintable(cataloguePath(language)));
        QCOMPARE(translator.translate(context.constData(), source.constData()), expected);
    }

    void englishShowsNoMisspelling_data()
    {
        QTest::addColumn<QString>("misspelling");
        for (const char *word :
             {"Fixted", "Scence", "Templete", "secne", "Kpbs", "Mpbs", "Gpbs", "Months(s)", "Open Open", "BandWith"})
            QTest::newRow(word) << QString::fromLatin1(word);
    }

    // The source texts keep their misspellings; the screen must not show them.
    void englishShowsNoMisspelling()
    {
        QFETCH(QString, misspelling);
        const QStringList found = offenders(file(QStringLiteral("en")), [&misspelling](const TsMessage &message) {
            return !message.translation.contains(misspelling, Qt::CaseInsensitive);
        });
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void catalogueMatchesSource_data() { translatedLanguages(); }

    void catalogueMatchesSource()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY2(translator.load(cataloguePath(language)), qPrintable(cataloguePath(language)));
        QStringList found;
        for (const TsMessage &message : file(language).messages) {
            const QByteArray context = message.context.toUtf8();
            const QByteArray source = message.source.toUtf8();
            if (!message.forms.isEmpty()) {
                // 1, 2 and 5 reach every plural form of the three languages.
                QSet<QString> compiled;
                for (int n : {1, 2, 5})
                    compiled.insert(translator.translate(context.constData(), source.constData(), nullptr, n));
                if (compiled != QSet<QString>(message.forms.cbegin(), message.forms.cend()))
                    found.append(describe(message) + QStringLiteral(" compiled as \"") +
                                 QStringList(compiled.values()).join(QLatin1Char('|')) + QLatin1Char('"'));
                continue;
            }
            const QString compiled = translator.translate(context.constData(), source.constData());
            if (compiled != message.translation)
                found.append(describe(message) + QStringLiteral(" compiled as \"") + compiled + QLatin1Char('"'));
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
