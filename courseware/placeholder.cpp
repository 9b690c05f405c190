// Replaced by the courseware sources.
