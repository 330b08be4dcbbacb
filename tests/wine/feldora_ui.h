// What the tests know of Feldora's windows: control ids, titles and the
// texts the program shows.
#pragma once

// Export window
constexpr int kModelFile = 1000;
constexpr int kBrowse = 1001;
constexpr int kServerAddress = 1002;
constexpr int kProjectArea = 1003;
constexpr int kUserName = 1004;
constexpr int kPassword = 1005;
constexpr int kSetPath = 1006;
constexpr int kOutput = 1007;
constexpr int kExport = 1;   // IDOK
constexpr int kExit = 2;     // IDCANCEL

// Navigate window (shares 1002 and 1003)
constexpr int kGo = 1;       // IDOK
constexpr int kNavigateExit = 2;

constexpr unsigned kAboutCommand = 16;

constexpr char kExportTitle[] = "Export model to Qorvane";
constexpr char kNavigateTitle[] = "Invoke QX server dialog";
constexpr char kAboutTitle[] = "About Feldora";
constexpr char kBrowseTitle[] = "Browse for Simulink model";
