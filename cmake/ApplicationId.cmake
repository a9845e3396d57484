# blowcount_application_id(OUT WEB_ADDRESS): the application id in reverse-DNS
# form from the maker's web address: the host without "www.", its parts in
# reverse order, lower case, every sign other than a letter, a digit or "_"
# made "_", a part that starts with a digit prefixed with "_", then
# "blowcount". http://www.quelmara.example gives example.quelmara.blowcount.
function(blowcount_application_id out address)
  string(REGEX REPLACE "^[A-Za-z][A-Za-z0-9+.-]*://" "" host "${address}")
  string(REGEX REPLACE "[/?#].*$" "" host "${host}")
  string(REGEX REPLACE "^.*@" "" host "${host}")
  string(REGEX REPLACE ":[0-9]*$" "" host "${host}")
  string(TOLOWER "${host}" host)
  string(REGEX REPLACE "^www\\." "" host "${host}")
  string(REPLACE "." ";" host_parts "${host}")
  list(REVERSE host_parts)
  set(id_parts)
  foreach(part IN LISTS host_parts)
    string(REGEX REPLACE "[^a-z0-9_]" "_" part "${part}")
    if(part MATCHES "^[0-9]")
      string(PREPEND part "_")
    endif()
    if(NOT part STREQUAL "")
      list(APPEND id_parts "${part}")
    endif()
  endforeach()
  list(APPEND id_parts blowcount)
  list(JOIN id_parts "." id)
  set(${out} "${id}" PARENT_SCOPE)
endfunction()
