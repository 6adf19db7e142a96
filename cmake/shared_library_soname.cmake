# kestrelon_library_soname(TARGET NAME OUT): the SONAME ("libgsf-1.so.114") of the library named
# NAME ("libgsf-1") among those the imported TARGET links, read from the file by readelf, so that
# the program loads at first use exactly the library it was built against.
function(kestrelon_library_soname target name out)
    get_target_property(libraries ${target} INTERFACE_LINK_LIBRARIES)
    foreach(library IN LISTS libraries)
        get_filename_component(file ${library} NAME)
        if(file MATCHES "^${name}\\.so")
            execute_process(COMMAND readelf -d ${library} OUTPUT_VARIABLE dynamic
                            RESULT_VARIABLE failed)
            if(NOT failed AND dynamic MATCHES "\\(SONAME\\)[^[]*\\[([^]]+)\\]")
                set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
                return()
            endif()
        endif()
    endforeach()
    message(FATAL_ERROR "No SONAME found for ${name} among the libraries of ${target}")
endfunction()

# kestrelon_load_at_first_use(TARGET IMPORTED NAME DEFINE): TARGET compiles against the headers of
# the library NAME that the imported IMPORTED links, and loads it at its first use by the SONAME
# given to it as the macro DEFINE (store/shared_library.h); it does not link it.
function(kestrelon_load_at_first_use target imported name define)
    kestrelon_library_soname(${imported} ${name} soname)
    target_compile_definitions(${target} PRIVATE ${define}="${soname}")
    target_include_directories(${target} SYSTEM PRIVATE
                               $<TARGET_PROPERTY:${imported},INTERFACE_INCLUDE_DIRECTORIES>)
    target_compile_options(${target} PRIVATE
                           $<TARGET_PROPERTY:${imported},INTERFACE_COMPILE_OPTIONS>)
endfunction()
