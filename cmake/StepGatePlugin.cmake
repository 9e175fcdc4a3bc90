# The plug-in DLL (defined once its parts exist).
