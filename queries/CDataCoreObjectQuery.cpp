#include "queries/CDataCoreObjectQuery.h"

#include "metadata/CInspectionStandard.h"
#include "model/CBaseProject.h"
#include "model/CDataCoreObject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "queries/CEventObjectQuery.h"
#include "queries/CProjectObjectQuery.h"
#include "queries/CSectionObjectQuery.h"
#include "queries/CSharedTranslations.h"
#include "queries/FieldIds.h"
#include "storage/CProjectRuntimeData.h"
#include "storage/CurrentProject.h"

CDataCoreObjectQuery::~CDataCoreObjectQuery() = default;

QString CDataCoreObjectQuery::fieldCaption(int iFieldId) const
{
    // Section property captions come from the standard of the open project,
    // whatever object this query is about.
    const CProjectRuntimeData *cRuntimeData =
        FieldIds::groupOf(iFieldId) == FieldIds::GroupSectionProperty ? currentRuntimeData() : nullptr;
    return fieldCaptionFromStandard(iFieldId, cRuntimeData ? cRuntimeData->inspectionStandard() : nullptr);
}

QString fieldCaptionFromStandard(int iFieldId, const CInspectionStandard *cStandard)
{
    const int iCaptionId = FieldIds::captionIdOf(iFieldId);
    if (iCaptionId != 0)
        return CSharedTranslations::instance()->caption(iCaptionId);
    if (FieldIds::groupOf(iFieldId) != FieldIds::GroupSectionProperty || !cStandard)
        return QString();
    return cStandard->sectionPropertyDescription(FieldIds::indexOf(iFieldId));
}

QStringList CDataCoreObjectQuery::fieldValues() const
{
    QStringList values;
    const QList<int> ids = fieldIds();
    values.reserve(ids.size());
    for (int iId : ids)
        values.append(fieldValue(iId));
    return values;
}

QStringList CDataCoreObjectQuery::fieldCaptions() const
{
    QStringList captions;
    const QList<int> ids = fieldIds();
    captions.reserve(ids.size());
    for (int iId : ids)
        captions.append(fieldCaption(iId));
    return captions;
}

std::unique_ptr<CDataCoreObjectQuery> createQuery(const CDataCoreObject *cObject)
{
    if (!cObject)
        return nullptr;
    switch (cObject->kind()) {
    case CDataCoreObject::KindProject:
        if (const auto *cProject = dynamic_cast<const CBaseProject *>(cObject))
            return std::make_unique<CProjectObjectQuery>(cProject);
        break;
    case CDataCoreObject::KindSection:
        if (const auto *cSection = dynamic_cast<const CInspectionSegment *>(cObject))
            return std::make_unique<CSectionObjectQuery>(cSection);
        break;
    case CDataCoreObject::KindEvent:
        if (const auto *cEvent = dynamic_cast<const CInspectionEvent *>(cObject))
            return std::make_unique<CEventObjectQuery>(cEvent);
        break;
    default: break;
    }
    return nullptr;
}
