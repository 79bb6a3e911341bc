// Every text of the sources, as lupdate finds it now, has a translation in
// every language, with the placeholders of its source.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>

namespace {

// English holds only the plural forms of the texts that count.
const char *const Languages[] = { "ja", "zh_CN", "de", "fr", "es", "en" };

bool run(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(120000);
    *output = QString::fromLocal8Bit(process.readAll());
    return ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

std::set<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(n|\\d+)"));
    std::set<QString> found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

// One message: its source and translation(s), in whichever order they come.
void check(QXmlStreamReader &xml, const QString &context, bool pluralsOnly, QStringList &problems)
{
    const bool numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    QString source;
    QStringList translations;
    bool unfinished = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            unfinished = type == QLatin1String("unfinished") || type == QLatin1String("vanished")
                || type == QLatin1String("obsolete");
            if (!numerus)
                translations << xml.readElementText();
            while (numerus && xml.readNextStartElement()) // one numerusform per plural
                translations << xml.readElementText();
        } else {
            xml.skipCurrentElement();
        }
    }
    if (pluralsOnly && !numerus)
        return;
    const QString where = context + QLatin1String(": \"") + source + QLatin1Char('"');
    if (unfinished || translations.isEmpty() || translations.contains(QString())) {
        problems << QLatin1String("untranslated ") + where;
        return;
    }
    for (const QString &translation : translations) {
        if (placeholders(translation) != placeholders(source))
            problems << QLatin1String("other placeholders ") + where + QLatin1String(" -> \"") + translation
                    + QLatin1Char('"');
    }
}

QStringList problemsIn(const QString &tsFile, bool pluralsOnly)
{
    QStringList problems;
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return { QStringLiteral("cannot read ") + tsFile };
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            check(xml, context, pluralsOnly, problems);
    }
    if (xml.hasError())
        problems << tsFile + QStringLiteral(" is not valid: ") + xml.errorString();
    return problems;
}

} // namespace

TEST(Translations, EveryTextOfTheSourcesIsTranslatedWithItsPlaceholders)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList tsFiles;
    for (const char *language : Languages) {
        const QString name = QStringLiteral("kavo_%1.ts").arg(QLatin1String(language));
        tsFiles << dir.filePath(name);
        ASSERT_TRUE(QFile::copy(QDir(QStringLiteral(KAVO_TS_DIR)).filePath(name), tsFiles.last()))
            << name.toStdString();
    }
    // The same sources and include paths as the build's lupdate target.
    const QString project = dir.filePath(QStringLiteral("project.json"));
    QString output;
    ASSERT_TRUE(run(QStringLiteral(KAVO_CMAKE),
        { QStringLiteral("-DIN_FILE=" KAVO_LUPDATE_PROJECT), QStringLiteral("-DOUT_FILE=") + project,
            QStringLiteral("-P"), QStringLiteral(KAVO_LUPDATE_PROJECT_SCRIPT) },
        &output))
        << output.toStdString();
    ASSERT_TRUE(run(QStringLiteral(KAVO_LUPDATE),
        QStringList { QStringLiteral("-project"), project, QStringLiteral("-no-obsolete"),
            QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-ts") }
            + tsFiles,
        &output))
        << output.toStdString();

    for (int i = 0; i < tsFiles.size(); ++i) {
        const QStringList problems = problemsIn(tsFiles[i], qstrcmp(Languages[i], "en") == 0);
        EXPECT_TRUE(problems.isEmpty())
            << Languages[i] << ":\n  " << problems.join(QStringLiteral("\n  ")).toStdString();
    }
}
