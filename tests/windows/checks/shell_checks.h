// Checks of the shell's own pieces: the file-dialog settings and filters, the
// text conversions and the platform services.
#pragma once

void check_file_dialogs();
void check_text_conversion();
void check_platform();
