// Ids shared by the sample script and its test.
#pragma once

#define IDD_SAMPLE 200
#define IDM_SAMPLE 201
#define IDC_CITY 1112
#define IDC_RATE 1137
#define SAMPLE_EDIT_STYLE (ES_CENTER | ES_MULTILINE)

#ifndef RC_INVOKED
// Lines that are not directives are for the C++ compiler only.
inline constexpr int kSampleDialog = IDD_SAMPLE;
#endif
