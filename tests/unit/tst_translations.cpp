// The German and French translations: complete, and every argument of the
// English text kept, in the .ts files and in the .qm files the program loads.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void complete_data();
    void complete();
};

void TranslationsTest::complete_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de";
    QTest::newRow("French") << "fr";
}

void TranslationsTest::complete()
{
    QFETCH(QString, language);
    QFile ts(QString(VARNELLE_TS_DIR "/varnelle_%1.ts").arg(language));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QTranslator qm;
    QVERIFY(qm.load("varnelle_" + language, VARNELLE_QM_DIR));

    static const QRegularExpression argument("%(\\d+|n)");
    // lupdate files the tr() of a free function under its namespace, where the program never looks.
    static const QRegularExpression namespaceContext("(^|::)[a-z]\\w*$");
    QStringList problems;
    int messages = 0;
    QString context, source;
    bool numerus = false;
    QXmlStreamReader xml(&ts);
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
            if (namespaceContext.match(context).hasMatch())
                problems << "namespace " + context;
        } else if (xml.name() == u"message") {
            numerus = xml.attributes().value("numerus") == u"yes";
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            ++messages;
            const bool unfinished = !xml.attributes().value("type").isEmpty();
            // A text with a count has a form for each kind of number; the first is for one.
            QStringList forms;
            if (numerus) {
                while (xml.readNextStartElement())
                    forms << xml.readElementText();
            } else {
                forms << xml.readElementText();
            }
            const QString loaded = qm.translate(context.toUtf8(), source.toUtf8(), nullptr, numerus ? 1 : -1);
            if (unfinished || forms.contains(QString()) || loaded != forms.value(0))
                problems << context + ": " + source;
            for (auto m = argument.globalMatch(source); m.hasNext();) {
                const QString arg = m.next().captured();
                for (const QString &form : forms)
                    if (!QRegularExpression(QRegularExpression::escape(arg) + "(?!\\d)").match(form).hasMatch())
                        problems << context + ": " + source + " lacks " + arg;
            }
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 250);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
