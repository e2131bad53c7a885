// Identifiers of the program's resources, shared by the resource script and the code.
#pragma once

#define kAppIconId 1

// The 16 x 16 pictures of the window's image list.
#define kOpenIconId 101
#define kSaveIconId 102
#define kRotateCcwIconId 103
#define kRotateCwIconId 104
#define kInfoIconId 105
