#pragma once

#include <string>

#include "store/CSaveRecovery.h"

namespace Bris {
class CFileOperations;
}

// Finishing the saves that an earlier session did not live to finish, with one alert per save
// (error 12 when it was completed, 13 with what could not be restored and where the kept files
// are when it could not).

// Every interrupted save whose journal is in workFolder (at start-up).
void RecoverInterruptedSaves(Bris::CFileOperations& operations, const std::string& workFolder);
// The alert for one finished or abandoned save (a project's session finishes its own on opening).
void ShowSaveRecoveryReport(const Bris::CSaveRecovery::SReport& report);
