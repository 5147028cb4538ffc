#pragma once

// Base of the project, section and event objects. The kind tells them apart
// without a type query: 1 project, 2 section, 3 event.
class CDataCoreObject
{
public:
    enum Kind { KindProject = 1, KindSection = 2, KindEvent = 3 };

    virtual ~CDataCoreObject() = default;
    CDataCoreObject(const CDataCoreObject &) = delete;
    CDataCoreObject &operator=(const CDataCoreObject &) = delete;

    int kind() const { return m_iKind; }

protected:
    explicit CDataCoreObject(int iKind) : m_iKind(iKind) {}

private:
    int m_iKind;
};
