# Windows: the port libraries; the panel program joins them here.
