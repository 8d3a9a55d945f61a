#pragma once
// The requirement analysis of the repair wizard: each chosen application's check file is read
// line by line, each requirement line is tested on the machine, and every failed test becomes an
// error record. Probes run again for every line (nothing is cached).

#include "maintenance/common/AppTable.h"
#include "maintenance/common/SystemProbes.h"
#include "maintenance/repair/ErrorList.h"

namespace maintenance {

// Tests every selected application (every application in single-application mode) and appends
// its errors. An empty table records one missing-check-file error for application 0.
void AnalyseApplications(const AppTable& table, ErrorList& errors, bool singleApplication,
                         MachineProbes& probes);

} // namespace maintenance
