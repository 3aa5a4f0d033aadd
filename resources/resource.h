#pragma once
// Resource identifiers shared by the resource script and the program.
#define IDI_HIDEWELL 1
#define IDI_NOTGOT 2
#define IDI_GOT 3
