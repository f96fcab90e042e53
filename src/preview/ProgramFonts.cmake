# The font files of the faces that preview/PrinterFont.cpp draws the printer fonts with, from
# Debian's font packages (fonts-urw-base35, fonts-dejavu-core), and their copyright notices.
# Linux has them installed; the Windows programs carry them in a fonts folder beside them
# (preview/ProgramFonts.h).
set(ROTULANO_PROGRAM_FONT_FILES
    /usr/share/fonts/opentype/urw-base35/NimbusSans-Bold.otf
    /usr/share/fonts/opentype/urw-base35/NimbusSansNarrow-Bold.otf
    /usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf)
set(ROTULANO_PROGRAM_FONT_NOTICES
    /usr/share/doc/fonts-urw-base35/copyright
    /usr/share/doc/fonts-dejavu-core/copyright)
