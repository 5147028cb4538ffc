#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class CDataCoreObject;
class CInspectionStandard;

// Answers caption, value text and code text of every field of one data
// object under the numeric field identifiers of FieldIds. A query does not
// own its object and must not outlive it; queries are short-lived and created
// anew for each display or printout.
class CDataCoreObjectQuery
{
public:
    virtual ~CDataCoreObjectQuery();
    CDataCoreObjectQuery(const CDataCoreObjectQuery &) = delete;
    CDataCoreObjectQuery &operator=(const CDataCoreObjectQuery &) = delete;

    virtual QString fieldValue(int iFieldId) const = 0;
    virtual QString fieldCode(int iFieldId) const = 0;
    // The same for every kind of object: fixed captions from the shared
    // translations, section property captions from the open project's
    // inspection standard, nothing for anything else.
    virtual QString fieldCaption(int iFieldId) const;
    virtual QList<int> fieldIds() const = 0;
    // fieldValue / fieldCaption of each identifier of fieldIds(), in order.
    virtual QStringList fieldValues() const;
    virtual QStringList fieldCaptions() const;

    const CDataCoreObject *object() const { return m_cObject; }

protected:
    explicit CDataCoreObjectQuery(const CDataCoreObject *cObject) : m_cObject(cObject) {}

private:
    const CDataCoreObject *m_cObject;
};

// The caption fieldCaption gives, except that section property captions come
// from the given standard instead of the open project's: for the report,
// which holds its own standard.
QString fieldCaptionFromStandard(int iFieldId, const CInspectionStandard *cStandard);

// A new query for the object's kind (project, section, event); none for a
// null object or any other kind. The caller owns the query.
std::unique_ptr<CDataCoreObjectQuery> createQuery(const CDataCoreObject *cObject);
