// PLACEHOLDER: the run-time library's number routines land here.
