#pragma once

// Writes synthetic inspection projects (and a matching installation) for
// the benchmarks, in the text form the settings class writes: one group per
// section or event, keys in alphabetical order, arrays with "\size" keys,
// values containing commas quoted. Plain text writing keeps generation of
// a hundred megabytes fast.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace ProjectGenerator {

struct Options
{
    int iSections = 1000;
    int iEventsPerSection = 100;
    int iSectionProperties = 60;
    int iEventProperties = 10;
    QString sCatalog = QStringLiteral("BENCH-CAT");
};

inline bool writeBytes(const QString &sPath, const QByteArray &data)
{
    QFile file(sPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

inline void appendProperties(QByteArray &out, int iCount, int iSeed)
{
    for (int p = 1; p <= iCount; ++p) {
        const QByteArray prefix = "property\\" + QByteArray::number(p) + "\\";
        out += prefix + "code=" + (p % 3 == 0 ? "C" + QByteArray::number(p) : QByteArray()) + "\n";
        out += prefix + "id=" + QByteArray::number(p < 50 ? p : 200000 + p) + "\n";
        if (p % 7 == 0)
            out += prefix + "value=\"Value " + QByteArray::number(iSeed) + ", part " + QByteArray::number(p) + "\"\n";
        else
            out += prefix + "value=Value " + QByteArray::number(iSeed * 31 + p) + "\n";
    }
    out += "property\\size=" + QByteArray::number(iCount) + "\n";
}

// Returns the number of bytes written, or -1 on a write error.
inline qint64 writeProject(const QString &sDirectory, const Options &options)
{
    QDir().mkpath(sDirectory);
    qint64 iBytes = 0;
    QByteArray project;
    project += "[client]\n";
    for (int i = 1; i <= 10; ++i)
        project += "property\\" + QByteArray::number(i) + "\\code=\nproperty\\" + QByteArray::number(i)
                   + "\\id=" + QByteArray::number(i) + "\nproperty\\" + QByteArray::number(i)
                   + "\\value=Client line " + QByteArray::number(i) + "\n";
    project += "property\\size=10\n\n[projectdata]\ncreated=2024-01-15\nextendedproject=true\ninspectionstandard="
               + options.sCatalog.toUtf8() + "\nlastmodified=2024-02-01\nname=Benchmark project\n\n"
               "[projectfile]\nversion=3\n";
    if (!writeBytes(sDirectory + QStringLiteral("/project.dat"), project))
        return -1;
    iBytes += project.size();

    QByteArray segments;
    for (int s = 1; s <= options.iSections; ++s) {
        segments += "[" + QByteArray::number(s) + "]\ninclinationfile=" + QByteArray::number(s) + ".inc\nname=Section "
                    + QByteArray::number(s) + "\n";
        appendProperties(segments, options.iSectionProperties, s);
        segments += "videofile\\1\\name=section" + QByteArray::number(s) + ".mpg\nvideofile\\size=1\n\n";

        QByteArray events;
        for (int e = 1; e <= options.iEventsPerSection; ++e) {
            const int iId = s * 1000 + e;
            events += "[" + QByteArray::number(iId) + "]\nabbreviation=BAB\nimagefile=" + QByteArray::number(iId)
                      + ".jpg\nimagefile2=\nmetervalue=" + QByteArray::number(e * 0.37, 'f', 2) + "\n";
            appendProperties(events, options.iEventProperties, iId);
            events += "text=\"Crack, longitudinal, at " + QByteArray::number(e % 12 + 1)
                      + " o'clock\"\nvideo-hour=0\nvideo-minute=" + QByteArray::number(e % 60)
                      + "\nvideo-second=" + QByteArray::number((e * 7) % 60) + "\nvideofile=section"
                      + QByteArray::number(s) + ".mpg\n\n";
        }
        if (!writeBytes(sDirectory + QStringLiteral("/%1.evtdat").arg(s), events))
            return -1;
        iBytes += events.size();
    }
    if (!writeBytes(sDirectory + QStringLiteral("/segments.dat"), segments))
        return -1;
    iBytes += segments.size();
    return iBytes;
}

// Locales.dat, Catalogs.dat and the three catalog files for the catalog
// the generated project names.
inline bool writeInstallation(const QString &sDirectory, const QString &sCatalog = QStringLiteral("BENCH-CAT"))
{
    QDir dir(sDirectory);
    for (const char *pszSub : {"CatalogBaseData", "PrintoutLayouts", "CatalogPrintoutData", "LanguageFiles"})
        dir.mkpath(QLatin1String(pszSub));
    bool bOk = writeBytes(dir.filePath(QStringLiteral("Locales.dat")),
                          "[Locales]\nLocale\\1\\LanguageFile=none.qm\nLocale\\1\\LocaleCode=en_US\n"
                          "Locale\\1\\Name=English\nLocale\\size=1\n");
    bOk = bOk && writeBytes(dir.filePath(QStringLiteral("Catalogs.dat")),
                            "[Catalogs]\nCatalog\\1\\BaseFileName=Bench.std\nCatalog\\1\\Enabled=true\n"
                            "Catalog\\1\\Format=Ostrel\nCatalog\\1\\InternalName=" + sCatalog.toUtf8()
                                + "\nCatalog\\1\\PrintoutDataFile=Bench.pod\n"
                                  "Catalog\\1\\PrintoutLayoutFileName=Bench.lay\nCatalog\\size=1\n");
    QByteArray standard = "[damage-classes]\n";
    for (int i = 0; i < 6; ++i)
        standard += "class\\" + QByteArray::number(i + 1) + "\\value=" + QByteArray::number(i) + "\n";
    standard += "class\\size=6\n\n[misc-data]\nagainst-dir=U\nin-dir=D\nmanhole-altitude-unit=m\n"
                "pipe-diameter-unit=mm\ntext-delimiter=|\n\n[section-properties]\n";
    for (int i = 1; i <= 60; ++i)
        standard += "property\\" + QByteArray::number(i) + "\\description=Property " + QByteArray::number(i)
                    + "\nproperty\\" + QByteArray::number(i) + "\\id=" + QByteArray::number(i) + "\n";
    standard += "property\\size=60\n";
    bOk = bOk && writeBytes(dir.filePath(QStringLiteral("CatalogBaseData/Bench.std")), standard);
    bOk = bOk && writeBytes(dir.filePath(QStringLiteral("PrintoutLayouts/Bench.lay")),
                            "[page-footer]\nheight=1000\ntext-x=100\ntext-y=500\nwidth=18000\n");
    bOk = bOk && writeBytes(dir.filePath(QStringLiteral("CatalogPrintoutData/Bench.pod")),
                            "[damage-classes]\nclass\\1\\color=0xff00a000\nclass\\1\\text=No defect\n"
                            "class\\1\\value=0\nclass\\size=1\n");
    return bOk;
}

} // namespace ProjectGenerator
