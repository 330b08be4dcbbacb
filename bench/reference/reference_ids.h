#pragma once

#define IDD_REFERENCE 100
#define IDC_REFERENCE_FIELD 1002

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
