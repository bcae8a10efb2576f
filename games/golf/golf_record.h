// The record of Zidu Dori: the lowest round total and its holder, kept in "rcdglf.dat".
#pragma once

#include "shell/record_slot.h"

// The total is kept as a sign and three digits ("+005", "-012", " 000"); a lower total is better, and a
// file whose value is no number gives the default "CPU" with +999.
RecordRules golfRecordRules();
