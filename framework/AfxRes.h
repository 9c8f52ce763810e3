// The framework's own resource and command ids, which a program's resources use too.
#pragma once

#define AFX_IDS_APP_TITLE 57344

#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
