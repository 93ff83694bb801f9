# Turns files into constant byte arrays in one C++ source, so that the program
# carries them and reads nothing from disk:
#   cmake -DOUTPUT=out.cpp -DNAMESPACE=ns -DFILES="a.jpg;b.gif" -P embed_files.cmake
# Each file becomes `extern const unsigned char <stem>_<ext>[]` with its size in
# `extern const std::size_t <stem>_<ext>_size`, inside the namespace, named
# after the file ("backdrop.jpg": backdrop_jpg, backdrop_jpg_size).

set(source "// Made by cmake/embed_files.cmake from the files it names; do not edit.\n\n")
string(APPEND source "#include <cstddef>\n\nnamespace ${NAMESPACE} {\n")
foreach(file IN LISTS FILES)
    get_filename_component(name "${file}" NAME)
    string(MAKE_C_IDENTIFIER "${name}" symbol)
    file(READ "${file}" hex HEX)
    # Sixteen bytes to a line.
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
    string(APPEND source "\n// ${name}\n")
    string(APPEND source "extern const unsigned char ${symbol}[];\n")
    string(APPEND source "const unsigned char ${symbol}[] = {\n    ${bytes}\n};\n")
    string(APPEND source "extern const std::size_t ${symbol}_size;\n")
    string(APPEND source "const std::size_t ${symbol}_size = sizeof ${symbol};\n")
endforeach()
string(APPEND source "\n} // namespace ${NAMESPACE}\n")

# Written only when it changes, so that an unchanged file rebuilds nothing.
set(previous "")
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" previous)
endif()
if(NOT previous STREQUAL source)
    file(WRITE "${OUTPUT}" "${source}")
endif()
