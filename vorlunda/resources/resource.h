#pragma once

// Resource identifiers shared by the resource script and the code.
#define IDS_DESCRIPTION 1
#define IDI_VORLUNDA 100
#define IDC_LINK 30000
