#pragma once

class CProjectRuntimeData;

// The process-wide slot holding the runtime data of the project the main
// window shows, or null. The slot never owns what it points to.
CProjectRuntimeData *currentRuntimeData();
void setCurrentRuntimeData(CProjectRuntimeData *cRuntimeData);
