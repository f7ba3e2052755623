// no config_ext_t in this header
struct config_t {
	uint8_t mode;
	uint8_t steps[2];
	uint8_t spare ;
};
