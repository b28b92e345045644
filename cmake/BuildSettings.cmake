# Fixed texts of the build: the page of the web strips, the makers' contact lines and
# the three font download addresses. Change them with -D at configure time.
#
# The defaults point to real pages with openly licensed Chinese handwriting and
# signature typefaces, the kind the six styles need. The makers publish no contact, so
# the contact lines say so instead of naming one.
set(GLYPHORA_WEB_ADDRESS "https://fonts.google.com/?lang=zh_Hans&classification=Handwriting"
    CACHE STRING "Page shown in the web strips")
set(GLYPHORA_CONTACT_LINE_1 "即时通讯：未提供    网站：未提供"
    CACHE STRING "First contact line of the About window: instant messaging and web site")
set(GLYPHORA_CONTACT_LINE_2 "电子邮箱：未提供"
    CACHE STRING "Second contact line of the About window: e-mail")
# 网盘下载1: Zhi Mang Xing, a free brush signature face, on Google Fonts.
set(GLYPHORA_DOWNLOAD_ADDRESS_1 "https://fonts.google.com/specimen/Zhi+Mang+Xing"
    CACHE STRING "First font download address")
# 网盘下载2: the font files of Ma Shan Zheng, a free running-regular brush face.
set(GLYPHORA_DOWNLOAD_ADDRESS_2 "https://github.com/google/fonts/tree/main/ofl/mashanzheng"
    CACHE STRING "Second font download address")
# 网站下载: a collection of free Chinese typefaces, at its handwriting face 沐瑶随心手写体.
set(GLYPHORA_DOWNLOAD_ADDRESS_3 "https://github.com/wordshub/free-font#沐瑶随心手写体"
    CACHE STRING "Font download web site")
