# The version of Olvaren, for both builds (the front end's --version).
set(OLVAREN_VERSION 0.9.0)
