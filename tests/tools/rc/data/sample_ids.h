// Ids shared by the sample script and its test; the C++ line is hidden from the compiler.
#pragma once
#define IDD_SAMPLE 200
#define IDM_SAMPLE 201
#define IDC_CITY 1112
#define IDC_RATE 1137
#define SAMPLE_EDIT_STYLE (ES_CENTER | ES_MULTILINE)
#ifndef RC_INVOKED
inline constexpr int kSampleDialog = IDD_SAMPLE;
#endif
