"""Drawing helpers and picture makers for the program's bitmaps, cursor and icon."""
