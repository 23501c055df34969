# Copies the icons that the main window names (src/app/ThemeIcons.cpp, one
# `{"key", "icon-name"},` a line) from the Breeze themes of this computer
# (Debian's breeze-icon-theme) into OUTPUT/breeze and OUTPUT/breeze-dark, with
# the themes' index and copyright, so the program carries them where the
# desktop has no icon theme. A name that Breeze lacks stops the build.
#
#   cmake -DMAPPING=ThemeIcons.cpp -DTHEMES=/usr/share/icons -DOUTPUT=DIR
#         -DCOPYRIGHT=/usr/share/doc/breeze-icon-theme/copyright -DSTAMP=FILE
#         -P BundleIcons.cmake
cmake_minimum_required(VERSION 3.25)
set(entry "^ *\\{\"[^\"]+\", \"([a-z0-9_-]+)\"\\},")
file(STRINGS ${MAPPING} lines ENCODING UTF-8 REGEX "${entry}")
set(names)
foreach(line IN LISTS lines)
    string(REGEX REPLACE "${entry}.*$" "\\1" name "${line}")
    list(APPEND names ${name})
endforeach()
list(REMOVE_DUPLICATES names)
if(NOT names)
    message(FATAL_ERROR "No icon names found in ${MAPPING}")
endif()

foreach(theme breeze breeze-dark)
    set(source ${THEMES}/${theme})
    if(NOT EXISTS ${source}/index.theme)
        message(FATAL_ERROR "The icon theme ${source} is missing: install Debian's "
                            "breeze-icon-theme (scripts/setup.sh)")
    endif()
    set(target ${OUTPUT}/${theme})
    file(REMOVE_RECURSE ${target})
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${source} ${source}/*.svg)
    foreach(name IN LISTS names)
        set(found ${files})
        list(FILTER found INCLUDE REGEX "/${name}\\.svg$")
        if(NOT found)
            message(FATAL_ERROR "The icon \"${name}\" named in ${MAPPING} is not in ${source}")
        endif()
        foreach(file IN LISTS found)
            # Breeze links many names to one drawing: the copy holds the drawing.
            file(REAL_PATH ${source}/${file} drawing)
            configure_file(${drawing} ${target}/${file} COPYONLY)
        endforeach()
    endforeach()
    configure_file(${source}/index.theme ${target}/index.theme COPYONLY)
    if(EXISTS ${COPYRIGHT})
        configure_file(${COPYRIGHT} ${target}/COPYRIGHT COPYONLY)
    endif()
endforeach()
file(TOUCH ${STAMP})
