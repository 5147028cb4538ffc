// Writes a synthetic project for benchmarks and load tests:
//   generate_project DIR [--sections N] [--events N] [--section-properties N]
//                        [--event-properties N] [--catalog NAME] [--installation DIR]
#include "ProjectGenerator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    ProjectGenerator::Options options;
    QString sDirectory;
    QString sInstallation;
    for (int i = 1; i < args.size(); ++i) {
        const QString &sArg = args.at(i);
        const bool bHasValue = i + 1 < args.size();
        const auto number = [&](int &iTarget) {
            bool bOk = false;
            const int iValue = bHasValue ? args.at(++i).toInt(&bOk) : 0;
            if (bOk && iValue >= 0)
                iTarget = iValue;
            return bOk;
        };
        bool bOk = true;
        if (sArg == QLatin1String("--sections"))
            bOk = number(options.iSections);
        else if (sArg == QLatin1String("--events"))
            bOk = number(options.iEventsPerSection);
        else if (sArg == QLatin1String("--section-properties"))
            bOk = number(options.iSectionProperties);
        else if (sArg == QLatin1String("--event-properties"))
            bOk = number(options.iEventProperties);
        else if (sArg == QLatin1String("--catalog") && bHasValue)
            options.sCatalog = args.at(++i);
        else if (sArg == QLatin1String("--installation") && bHasValue)
            sInstallation = args.at(++i);
        else if (!sArg.startsWith(QLatin1String("--")) && sDirectory.isEmpty())
            sDirectory = sArg;
        else
            bOk = false;
        if (!bOk) {
            std::fprintf(stderr, "usage: generate_project DIR [--sections N] [--events N] [--section-properties N] "
                                 "[--event-properties N] [--catalog NAME] [--installation DIR]\n");
            return 2;
        }
    }
    if (sDirectory.isEmpty()) {
        std::fprintf(stderr, "generate_project: no output directory given\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    const qint64 iBytes = ProjectGenerator::writeProject(sDirectory, options);
    if (iBytes < 0
        || (!sInstallation.isEmpty() && !ProjectGenerator::writeInstallation(sInstallation, options.sCatalog))) {
        std::fprintf(stderr, "generate_project: cannot write the files\n");
        return 1;
    }
    std::printf("wrote %d sections x %d events (%d section / %d event properties), %lld bytes in %lld ms\n",
                options.iSections, options.iEventsPerSection, options.iSectionProperties, options.iEventProperties,
                static_cast<long long>(iBytes), static_cast<long long>(timer.elapsed()));
    return 0;
}
