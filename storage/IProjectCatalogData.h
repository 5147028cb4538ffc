#pragma once

class CDamageClassList;
class CInspectionStandard;
class PrintoutLayout;

// The catalog files loaded for a project with inspection data. The storage
// layer only keeps this object with the runtime data and hands out what it
// holds; the code that reads catalog files implements it, so storage needs
// none of their types.
class IProjectCatalogData
{
public:
    virtual ~IProjectCatalogData() = default;
    virtual const CInspectionStandard *inspectionStandard() const = 0;
    virtual const PrintoutLayout *printoutLayout() const = 0;
    virtual const CDamageClassList *damageClassList() const = 0;
};
