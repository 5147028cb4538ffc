#pragma once

#include "storage/CDAOBaseProject.h"

class CCorvaneProject;

// Access object of a project with inspection data: its project is a
// CCorvaneProject with three address blocks of ten empty properties, and
// loading reads the address blocks, sections and events too.
class CDAOCorvaneProject : public CDAOBaseProject
{
public:
    CDAOCorvaneProject();
    ~CDAOCorvaneProject() override;

    CCorvaneProject *corvaneProject() const;

    bool loadProbed(const CProjectFileReader &cReader, const ProjectFileInfo &cInfo) override;
};
