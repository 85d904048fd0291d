#pragma once

// The open campaign has unsaved changes. One for the running editor: the main window reads and
// clears it, the dialogs that change the campaign set it and then call the main window's
// updateWindowTitle.
extern bool campaignModified;
