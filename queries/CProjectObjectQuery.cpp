#include "queries/CProjectObjectQuery.h"

#include "app/CApplicationContext.h"
#include "app/units/Units.h"
#include "metadata/CCatalogRegistry.h"
#include "model/CCorvaneProject.h"
#include "model/CPropertyList.h"
#include "queries/FieldIds.h"

CProjectObjectQuery::CProjectObjectQuery(const CBaseProject *cProject)
    : CDataCoreObjectQuery(cProject), m_cProject(cProject)
{
}

namespace {
QString catalogOfficialName(const QString &sInternalName)
{
    const CApplicationContext *cContext = CApplicationContext::instance();
    const CCatalogRegistry *cRegistry = cContext ? cContext->catalogRegistry() : nullptr;
    const CCatalogRecord *cCatalog = cRegistry ? cRegistry->findCatalog(sInternalName) : nullptr;
    return cCatalog ? cCatalog->sOfficialName : QString();
}
} // namespace

QString CProjectObjectQuery::fieldValue(int iFieldId) const
{
    if (!m_cProject)
        return QString();

    switch (iFieldId) {
    case FieldIds::ProjectName: return m_cProject->name();
    case FieldIds::ProjectCreated: return formatDate(m_cProject->created());
    case FieldIds::ProjectLastModified: return formatDate(m_cProject->lastModified());
    case FieldIds::ProjectCatalogName: return catalogOfficialName(m_cProject->inspectionStandard());
    default: break;
    }

    // Address blocks exist only for a project with inspection data.
    if (!m_cProject->extended())
        return QString();
    const auto *cCorvane = dynamic_cast<const CCorvaneProject *>(m_cProject);
    if (!cCorvane)
        return QString();
    const CPropertyList *cList = nullptr;
    switch (FieldIds::groupOf(iFieldId)) {
    case FieldIds::GroupClient: cList = cCorvane->client(); break;
    case FieldIds::GroupOfficer: cList = cCorvane->officer(); break;
    case FieldIds::GroupContractor: cList = cCorvane->contractor(); break;
    default: return QString();
    }
    return cList ? cList->valueOf(FieldIds::indexOf(iFieldId)) : QString();
}

QString CProjectObjectQuery::fieldCode(int) const
{
    return QString();
}

QList<int> CProjectObjectQuery::fieldIds() const
{
    QList<int> ids;
    if (!m_cProject)
        return ids;
    ids << FieldIds::ProjectName << FieldIds::ProjectCreated << FieldIds::ProjectLastModified
        << FieldIds::ProjectCatalogName;
    if (m_cProject->extended()) {
        for (int iId = FieldIds::ClientBase + 1; iId <= FieldIds::ContractorBase + 10; ++iId)
            ids << iId;
    }
    return ids;
}
