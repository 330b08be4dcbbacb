#pragma once

// The window variant shows Feldora's export window (102) instead.
#ifndef IDD_REFERENCE
#define IDD_REFERENCE 100
#endif
#define IDC_REFERENCE_FIELD 1002

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
