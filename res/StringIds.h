// Identifiers of the program's string table (res/StringTable.inc).
#pragma once

namespace res {
enum StringId : unsigned {
    SInvalidTime = 65411,
    SInvalidDateTime = 65412,
    STimeEncodeError = 65413,
    SDateEncodeError = 65414,
    SInvalidInteger = 65415,
    SShortMonthNameJan = 65472,
    SLongMonthNameJan = 65488,
    SShortDayNameSun = 65504,
    SLongDayNameSun = 65511,
    SMsgDlgWarning = 61560,
    SMsgDlgError = 61561,
    SMsgDlgInformation = 61562,
    SMsgDlgConfirm = 61563,
    SMsgDlgYes = 61564,
    SMsgDlgNo = 61565,
    SMsgDlgOK = 61566,
    SMsgDlgCancel = 61567,
    SMsgDlgHelp = 61568,
    SMsgDlgAbort = 61571,
    SMsgDlgRetry = 61572,
    SMsgDlgIgnore = 61573,
    SMsgDlgAll = 61574,
    SOutOfTimers = 61440,
    SCannotShowModal = 61441,
    SGridIndexError = 61442,
    SMCINotOpen = 61443,
    SMCIUnknownError = 61444,
    SWindowCreate = 61445,
};
}  // namespace res
