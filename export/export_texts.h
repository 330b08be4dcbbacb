// What the export window says to the user.
#pragma once

#define MSG_MODEL_MISSING "Model file name is missing"
#define MSG_SERVER_MISSING "QX server address is missing"
#define MSG_PROJECT_MISSING "QX server project area is missing"
#define MSG_USER_MISSING "User name is missing"
#define MSG_PASSWORD_MISSING "Password is missing"
#define MSG_SERVER_INVALID \
    "Invalid QX server address\r\nPlease make sure address is in the format: https://<host>:<port>/qx"

#define NOTES_EXPORT                                                                   \
    "Executing export...\r\n"                                                          \
    "Please wait while Simulink Command Window is launched (might take few minutes)\r\n" \
    "In the Command Window you'll be able to track export progress\r\n\r\n"            \
    "Additional export log inforamtion is saved to Tarnivex_*.log file at: \r\n"

#define NOTES_CMD_NOT_STARTED                                                           \
    "The command interpreter \"cmd\" could not be started, so the export is not running.\r\n"

#define NOTES_PATH_TOOL        \
    "Executing command...\r\n" \
    "Please wait while Simulink Path Dialog is launched (might take few minutes)"
