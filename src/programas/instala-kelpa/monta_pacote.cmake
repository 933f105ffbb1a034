# Puts the installation package together in PACOTE: the installer and, under their
# package names, the program, a new empty database and the export definitions.
# Run as: cmake -DPACOTE=... -DKELPA=... -DKELPA_CLI=... -DINSTALADOR=... -DDEFINICOES=... -P monta_pacote.cmake
file(REMOVE_RECURSE ${PACOTE})
file(MAKE_DIRECTORY ${PACOTE})
set(base ${PACOTE}/.base-nova)
file(MAKE_DIRECTORY ${base})
execute_process(COMMAND ${KELPA_CLI} --home ${base} --dir ${base} init
                RESULT_VARIABLE resultado OUTPUT_QUIET)
if(NOT resultado EQUAL 0)
  message(FATAL_ERROR "kelpa-cli init failed (${resultado})")
endif()
file(COPY_FILE ${base}/Kelpa.db ${PACOTE}/KELPA_Qor.md_)
file(REMOVE_RECURSE ${base})
file(COPY_FILE ${KELPA} ${PACOTE}/KELPA.ex_)
file(COPY_FILE ${DEFINICOES} ${PACOTE}/Expt_Kelpa.da_)
file(COPY_FILE ${INSTALADOR} ${PACOTE}/instala-kelpa)
file(WRITE ${PACOTE}/Disk.1 "KELPA\n")
