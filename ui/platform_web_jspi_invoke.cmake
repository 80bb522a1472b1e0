# The trampolines emscripten puts around every call that may throw or
# longjmp, invoke_<signature>, written for the program built for JavaScript
# Promise Integration. emscripten's own are JavaScript: a browser cannot
# suspend a stack that holds a JavaScript frame, so a wait beneath a Qt
# signal or event loop would fail. Plain calls inside the program cannot
# catch, and the antialiased rasterizer (Qt's and FreeType's) longjmps back
# to its setjmp whenever a path outgrows its cells, as the large shapes of a
# 3× phone screen do: the longjmp then ran out of the program. These are
# WebAssembly, catch what emscripten's catch (a longjmp, a C++ exception;
# vortalin_invoke_caught() in platform_web_jspi_invoke.cpp tells) and pass
# on anything else, as emscripten's do.
#
# A signature missing here stays JavaScript's: it catches as well, but no
# wait can happen beneath it (scripts/web-check lists any that are left).
set(VORTALIN_INVOKE_SIGNATURES
    di dii fi i iff ii iid iii iiii iiiif iiiii iiiiii iiiiiii iiiiiiif
    iiiiiiii iiiiiiiii iiiiiiiiii iiiiiiiiiii iiiiiij iiij iij iiji iijii
    iijiii iijji iji ijj ji jii jiii jiij jiiji jij jj
    v vdiiiiiii vi vid vidd vidii vii viid viidiiii viif viii viiif viiii
    viiiii viiiiii viiiiiii viiiiiiii viiiiiiiii viiiijii viij viiji
    viijiii viijiiii viijj vij viji vijii vijiii vj vjiii)

# Writes the trampolines for SIGNATURES to OUTPUT, as assembly.
function(vortalin_write_invoke_trampolines output)
    set(type_i i32)
    set(type_j i64)
    set(type_f f32)
    set(type_d f64)
    set(zero_i 0)
    set(zero_j 0)
    set(zero_f 0x0p0)
    set(zero_d 0x0p0)
    string(CONCAT text "# Made by ui/platform_web_jspi_invoke.cmake.\n"
             "\t.globaltype\t__stack_pointer, i32\n"
             "\t.tabletype\t__indirect_function_table, funcref\n"
             "\t.functype\tvortalin_invoke_caught () -> (i32)\n")
    foreach(signature IN LISTS ARGN)
        string(SUBSTRING "${signature}" 0 1 returned)
        string(SUBSTRING "${signature}" 1 -1 arguments)
        string(LENGTH "${arguments}" count)
        set(types "")
        set(pushes "")
        if(count GREATER 0)
            math(EXPR last "${count} - 1")
            foreach(k RANGE ${last})
                string(SUBSTRING "${arguments}" ${k} 1 c)
                list(APPEND types ${type_${c}})
                math(EXPR local "${k} + 1")
                string(APPEND pushes "\tlocal.get\t${local}\n")
            endforeach()
        endif()
        list(JOIN types ", " types)
        if(returned STREQUAL "v")
            set(result "")
            set(block "")
            set(zero "")
        else()
            set(result ${type_${returned}})
            set(block "\t${result}")
            set(zero "\t${result}.const\t${zero_${returned}}\n")
        endif()
        set(callee_params "${types}")
        if(count GREATER 0)
            set(params "i32, ${types}")
        else()
            set(params "i32")
        endif()
        math(EXPR saved "${count} + 1")
        set(name invoke_${signature})
        string(APPEND text
            "\n\t.section\t.text.${name},\"\",@\n"
            "\t.globl\t${name}\n"
            "\t.type\t${name},@function\n"
            "${name}:\n"
            "\t.functype\t${name} (${params}) -> (${result})\n"
            "\t.local\ti32\n"
            "\tglobal.get\t__stack_pointer\n"
            "\tlocal.set\t${saved}\n"
            "\ttry${block}\n"
            "${pushes}"
            "\tlocal.get\t0\n"
            "\tcall_indirect\t__indirect_function_table, (${callee_params}) -> (${result})\n"
            "\tcatch_all\n"
            "\tlocal.get\t${saved}\n"
            "\tglobal.set\t__stack_pointer\n"
            "\tcall\tvortalin_invoke_caught\n"
            "\ti32.eqz\n"
            "\tif\n"
            "\trethrow\t1\n"
            "\tend_if\n"
            "${zero}"
            "\tend_try\n"
            "\tend_function\n")
    endforeach()
    # The object says it uses exceptions, so that the optimizer after the
    # link keeps the instructions.
    string(APPEND text
        "\n\t.section\t.custom_section.target_features,\"\",@\n"
        "\t.int8\t1\n"
        "\t.int8\t43\n"
        "\t.int8\t18\n"
        "\t.ascii\t\"exception-handling\"\n")
    # Written only when it changed, or every configure would relink.
    file(WRITE ${output}.new "${text}")
    configure_file(${output}.new ${output} COPYONLY)
endfunction()
