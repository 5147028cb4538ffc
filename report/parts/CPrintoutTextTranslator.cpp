#include "report/parts/CPrintoutTextTranslator.h"

#include "app/units/Units.h"

CPrintoutTextTranslator::CPrintoutTextTranslator() = default;

CPrintoutTextTranslator *CPrintoutTextTranslator::instance()
{
    // Intentionally never destroyed: parts may ask for texts until the
    // process ends.
    static CPrintoutTextTranslator *s_cInstance = new CPrintoutTextTranslator();
    return s_cInstance;
}

QString CPrintoutTextTranslator::text(int iKind) const
{
    // Only the words are translated; brackets, "%" and the unit are appended.
    const auto withUnit = [](const QString &sWord) {
        return sWord + QStringLiteral(" [") + lengthUnitLabel(true) + QStringLiteral("]");
    };
    switch (iKind) {
    case ProjectInformation: return tr("Project Information");
    case TableOfContents: return tr("Table Of Contents");
    case SectionList: return tr("Section List");
    case DamageClassLegend: return tr("Damage Class Legend");
    case SectionPrefix: return tr("Section: ");
    case SectionProtocol: return tr("Section Protocol");
    case PagePrefix: return tr("Page ");
    case CaptionPosition: return tr("POSITION");
    case CaptionDamageClass: return tr("DC", "abbrev. for Damage Class");
    case CaptionCode: return tr("CODE");
    case CaptionObservation: return tr("OBSERVATION");
    case CaptionVideoPosition: return tr("VIDEO POS");
    case CaptionPhoto: return tr("PHOTO");
    case ListNumber: return tr("No.");
    case ListSection: return tr("Section");
    case ListCity: return tr("City");
    case ListStreet: return tr("Street");
    case ListLength: return tr("Length");
    case ListLengthTotal: return tr("Length Total");
    case ListDate: return tr("Date");
    case NoDataAvailable: return tr("No data available");
    case AltitudeAxis: return withUnit(tr("Altitude"));
    case InclinationAxis: return tr("Inclination") + QStringLiteral(" [%]");
    case InclinationMeasured: return tr("Inclination measured") + QStringLiteral(" [%]: ");
    case InclinationZero: return tr("Inclination 0.00 %");
    case AltitudeLegend: return withUnit(tr("Altitude"));
    case Pipe: return tr("Pipe");
    case PositionAxis: return withUnit(tr("Position"));
    case InspectionDirection: return tr("Inspection Direction");
    case FlowDirection: return tr("Flow Direction");
    case ListTotal: return tr("Total", "the section overview's row of total lengths");
    default: return QString();
    }
}

QString printoutText(int iKind)
{
    return CPrintoutTextTranslator::instance()->text(iKind);
}
