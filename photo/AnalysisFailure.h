#pragma once

#include "platform/Alert.h"

// Why a photograph could not be analysed, told one way wherever it is told: the
// application shows the alert named by the string-table keys, the command line prints
// the alert's texts (info, render, print) or the plain description (dump).
struct AnalysisFailure {
    int code; // the metadata reader's result code
    const char* alertTitleKey;
    const char* alertMessageKey;
    const char* description; // plain English, for dump's diagnostics
};

// The failure a result code of the reader's container detection or directory reading
// stands for. Every failure code the reader returns has its own row; any other code
// is told as a file whose metadata could not be found.
AnalysisFailure analysisFailure(int code);

// The alert of the failure in the installed string tables, with its one button.
AlertContent analysisAlert(const AnalysisFailure& failure);
