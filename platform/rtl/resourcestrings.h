// Resource strings by id: the component library's own (65216-65327, in the
// English it ships them in) and the class library's (in German, as its German
// edition has them). The texts live in resourcestrings_table.cpp; placeholders
// such as "%s" stay literal until a caller formats them.
#pragma once

#include "ansistring.h"

// The text of a string-table entry; empty for an id the table does not hold,
// as the original answers.
AnsiString LoadStr(int ident);

// The class library's strings that callers name. The first group keeps the
// ids the callers quote; the ids of the second group are ours, since callers
// reach those texts only by these names.
constexpr int SUnknown = 65426;            // "(Unbekannt)"
constexpr int SCustomColors = 65433;       // ini section of the custom colours
constexpr int SNoTimers = 65474;           // "Nicht genügend Timer verfügbar"
constexpr int SInvalidImageSize = 65489;
constexpr int STooManyImages = 65490;
constexpr int SInvalidBitmap = 65514;
constexpr int SFOpenError = 65522;         // "Datei %s kann nicht geöffnet werden"
constexpr int SListIndexError = 65530;     // "... überschreitet das Maximum (%d)"

constexpr int SColorPrefix = 65440;        // "Farbe": key prefix of the custom colours
constexpr int SColorTags = 65441;          // the letters that follow the prefix
constexpr int SInvalidInteger = 65442;     // "'%s' ist kein gültiger Integerwert"
constexpr int SInvalidFloat = 65443;
constexpr int SInvalidFormat = 65444;
constexpr int SArgumentMissing = 65445;
constexpr int SFCreateError = 65446;
constexpr int SAssignError = 65447;        // "%s kann nicht zu %s zugewiesen werden"
constexpr int SReadError = 65448;
constexpr int SWriteError = 65449;
constexpr int SInvalidOp = 65450;
